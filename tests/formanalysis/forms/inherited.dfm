inherited ChildForm: TChildForm
  Caption = 'Child'
  inherited btnSave: TButton [0]
    Caption = 'Save &all'
  end
  inline fraHeader: TFrameHeader
    Left = 0
    Top = 0
    inherited lblTitle: TLabel [1]
      Caption = 'Title'
    end
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object N1: TMenuItem
        Caption = '-'
      end
    end
  end
end
