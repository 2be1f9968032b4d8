object frmStock: TfrmStock
  Left = 300
  Top = 200
  BorderStyle = bsDialog
  Caption = 'Stock Item'
  ClientHeight = 177
  ClientWidth = 337
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  PixelsPerInch = 96
  TextHeight = 13
  object lblCode: TLabel
    Left = 16
    Top = 20
    Width = 28
    Height = 13
    Caption = 'Code:'
    FocusControl = edtCode
  end
  object lblQuantity: TLabel
    Left = 16
    Top = 52
    Width = 42
    Height = 13
    Caption = '&Quantity:'
    FocusControl = edtQuantity
  end
  object edtCode: TEdit
    Left = 96
    Top = 16
    Width = 121
    Height = 21
    CharCase = ecUpperCase
    MaxLength = 8
    TabOrder = 0
  end
  object edtQuantity: TEdit
    Left = 96
    Top = 48
    Width = 65
    Height = 21
    Hint = 'Whole number of items on the shelf'
    ShowHint = False
    TabOrder = 1
  end
  object btnSave: TButton
    Left = 240
    Top = 16
    Width = 81
    Height = 25
    Caption = '&Save'
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = btnSaveClick
  end
  object btnImport: TButton
    Left = 240
    Top = 48
    Width = 81
    Height = 25
    Caption = '&Import...'
    TabOrder = 3
    OnClick = btnImportClick
  end
  object btnRecount: TButton
    Left = 240
    Top = 80
    Width = 81
    Height = 25
    Caption = 'Re&count'
    TabOrder = 4
    OnClick = btnRecountClick
  end
  object DBNavigator1: TDBNavigator
    Left = 16
    Top = 136
    Width = 240
    Height = 25
    VisibleButtons = [nbFirst, nbPrior, nbNext, nbLast]
    TabOrder = 5
  end
  object tblStock: TTable
    DatabaseName = 'INVENTORY'
    TableName = 'STOCK.DB'
    Left = 280
    Top = 120
  end
  object DataSource1: TDataSource
    Left = 304
    Top = 120
  end
  object dlgOpen: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Stock files (*.txt)|*.txt|All files (*.*)|*.*'
    Title = 'Import stock file'
    Left = 280
    Top = 88
  end
end
