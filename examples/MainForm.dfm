object frmMain: TfrmMain
  Left = 220
  Top = 130
  Width = 640
  Height = 440
  Caption = 'Inventory'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object lblStatus: TLabel
    Left = 0
    Top = 393
    Width = 632
    Height = 13
    Align = alBottom
    Caption = 'Ready'
    Hint = 'Number of itmes in the stock table'
    ShowHint = False
  end
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 49
    Align = alTop
    BevelOuter = bvNone
    Tag = 0
    TabOrder = 0
    object lblTitle: TLabel
      Left = 16
      Top = 12
      Width = 132
      Height = 23
      Caption = 'Stock on hand'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -19
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object btnStock: TButton
      Left = 368
      Top = 12
      Width = 75
      Height = 25
      Caption = '&Stock...'
      TabOrder = 0
      OnClick = btnStockClick
    end
    object btnReport: TButton
      Left = 456
      Top = 12
      Width = 75
      Height = 25
      Caption = '&Report'
      TabOrder = 1
      OnClick = btnReportClick
    end
    object Button1: TButton
      Left = 544
      Top = 12
      Width = 75
      Height = 25
      Caption = 'Button1'
      TabOrder = 2
    end
  end
  object grdItems: TDBGrid
    Left = 0
    Top = 49
    Width = 632
    Height = 344
    Align = alClient
    DataSource = dsItems
    Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect]
    TabOrder = 1
    TitleFont.Charset = DEFAULT_CHARSET
    TitleFont.Color = clWindowText
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    TitleFont.Style = []
    Columns = <
      item
        FieldName = 'CODE'
        Title.Caption = 'Code'
        Width = 80
      end
      item
        FieldName = 'NAME'
        Title.Caption = 'Name'
        Width = 300
      end
      item
        FieldName = 'QUANTITY'
        Title.Caption = 'Quantity'
        Width = 64
      end>
  end
  object tblItems: TTable
    Active = True
    DatabaseName = 'INVENTORY'
    TableName = 'ITEMS.DB'
    Left = 40
    Top = 120
  end
  object dsItems: TDataSource
    DataSet = tblItems
    Left = 88
    Top = 120
  end
end
