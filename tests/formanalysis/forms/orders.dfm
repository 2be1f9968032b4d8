object MainForm: TMainForm
  Left = 192
  Top = -12
  Width = 640
  Height = 480
  Caption = 'Orders && Invoices'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold, fsItalic]
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 41
    Align = alTop
    Caption = ''
    TabOrder = 0
    object btnSave: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Hint = 'Saves the order'#13#10'and prints it'
      Caption = '&Save'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 0
      OnClick = btnSaveClick
    end
    object lblNote: TLabel
      Left = 96
      Top = 12
      Width = 300
      Height = 13
      Caption = 
        'This note is long enough to be split over several lines of the f' +
        'orm text, and it'#39's quoted'
    end
  end
  object lstItems: TListBox
    Left = 8
    Top = 48
    Width = 121
    Height = 97
    ItemHeight = 13
    Items.Strings = (
      'One'
      'Two'
      '')
    TabOrder = 1
  end
  object grdOrders: TDBGrid
    Left = 136
    Top = 48
    Width = 489
    Height = 120
    DataSource = dsOrders
    TabOrder = 2
    TitleFont.Style = []
    Columns = <
      item
        FieldName = 'ORDERNO'
        Title.Caption = 'Order'
        Width = 64
      end
      item
        Expanded = False
        FieldName = 'AMOUNT'
        Width = 80
      end>
  end
  object imgLogo: TImage
    Left = 8
    Top = 152
    Width = 32
    Height = 32
    Picture.Data = {
      0A544269746D61704E0100004C4D4E4F505152535455565758595A5B5C5D5E5F
      606162636465666768696A6B6C6D6E6F}
    Stretch = True
  end
  object tblOrders: TTable
    Active = True
    DatabaseName = 'DATA'
    TableName = 'ORDERS.DB'
    Left = 48
    Top = 152
    object tblOrdersAMOUNT: TCurrencyField
      FieldName = 'AMOUNT'
      DisplayLabel = 'Amount '#8364
      Precision = 2
    end
  end
  object chtSales: TChart
    Left = 136
    Top = 176
    Width = 489
    Height = 250
    LeftAxis.Maximum = 2.5
    LeftAxis.Minimum = -0.125
    Total = 123456789012
    DragCursor = crDefault
    PopupMenu = nil
    Enabled = False
  end
end
